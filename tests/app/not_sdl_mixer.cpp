// Built as libSDL2_mixer-2.0.so.0 for the program's tests: a library under the
// mixer's name without any of its functions.
extern "C" int not_sdl_mixer() { return 0; }
