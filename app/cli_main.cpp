#include <cstdio>

int main() {
    std::puts("quandel-cli");
    return 0;
}
