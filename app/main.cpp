// main.cpp - the viewer's entry point.

#include "app/startup.h"

int main(int argc, char** argv) { return varnholt::RunVarnholtReader(argc, argv); }
