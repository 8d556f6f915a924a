#include <cstdio>

int main() {
    std::puts("momentart");
    return 0;
}
