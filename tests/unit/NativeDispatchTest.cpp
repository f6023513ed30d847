// The objects as a script sees them on Linux, through the native dispatch layer.
