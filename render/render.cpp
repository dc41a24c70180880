// Drawing.
