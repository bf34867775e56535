// The upper layer, calling down as it may.
int lower();
int upper() { return 1; }
int both() { return lower(); }
