/* A program the gallery shows. */
int main(void) { return 0; }
