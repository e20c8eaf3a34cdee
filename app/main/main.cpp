#include <cstdio>

// The main window is not built yet; until it is, the program says so instead
// of showing an empty window.
int main()
{
    std::puts("Brenko Sorvana: the main window is not built yet. "
              "Built so far: see \"What it does not do\" in README.md.");
    return 0;
}
