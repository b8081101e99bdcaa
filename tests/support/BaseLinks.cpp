// Linked with every object of the bottom layer (the state and the screen framework) and
// nothing else: the link fails if that layer calls up into the subsystems.
int main() { return 0; }
