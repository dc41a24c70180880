// Music player.
