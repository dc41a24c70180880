// Computer move selection.
