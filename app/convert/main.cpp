#include <cstdio>

int main() { std::puts("dotlark-convert: not yet built"); return 2; }
