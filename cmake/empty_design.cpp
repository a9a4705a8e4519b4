// Stands in for the compiled design pictures when the skin painter is not part of the build.
int qInitResources_design() { return 1; }
