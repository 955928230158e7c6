// tbdmake DESCRIPTION.json OUTPUT.Tbd: builds a database file from its JSON description.

#include "Description.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tbdmake DESCRIPTION.json OUTPUT.Tbd\n");
        return 2;
    }
    std::string error = tabulo::tools::MakeDatabase(argv[1], argv[2]);
    if (!error.empty()) {
        std::fprintf(stderr, "tbdmake: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
