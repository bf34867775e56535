// A lower layer calling up into the layer above it.
int upper();
int lower() { return upper() + 1; }
