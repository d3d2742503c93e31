// A program that runs nothing: the build links every file of the game's layers into it over the
// headless runtime, so that a stray SDL call above the engine boundary fails the build.
int main() {
  return 0;
}
