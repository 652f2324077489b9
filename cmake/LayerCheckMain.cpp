// Linked with one core library and its stated dependencies only (CMakeLists.txt); it
// runs nothing, it exists to be linked.
int main() { return 0; }
