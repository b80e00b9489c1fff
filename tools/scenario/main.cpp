#include <cstdio>

int main()
{
    std::puts("0 passed, 0 failed");
    return 0;
}
