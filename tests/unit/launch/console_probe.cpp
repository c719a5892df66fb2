// A console program whose PE headers the inspection tests read.
int main() {
    return 0;
}
