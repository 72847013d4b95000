// The saver window and its message loop (placeholder until the host lands).
