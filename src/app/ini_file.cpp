// The INI store; see ini_file.h.
