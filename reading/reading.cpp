// Readings.
