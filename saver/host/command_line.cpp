// Command-line parsing of the saver (placeholder until the host lands).
