// Linked with the whole of one engine library and only the libraries it
// names: an unresolved symbol means the library calls up the order.
int main() { return 0; }
