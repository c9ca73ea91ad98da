#include <cstdio>

int main() {
    std::puts("mxcalc: the engine is not built yet");
    return 0;
}
