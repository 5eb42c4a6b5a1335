#include <cstdio>

int main()
{
    std::fputs("olvane-tool: no command yet\n", stderr);
    return 2;
}
