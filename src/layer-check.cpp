// Linked with one layer whole, so that every symbol it uses must come from the layers it
// declares; it is built, never run.
int main() { return 0; }
