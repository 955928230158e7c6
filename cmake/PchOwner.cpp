// The one source of the targets that compile the shared precompiled headers: it holds no
// code of its own (the programs among them only need a main to link).
int main() {
    return 0;
}
