#pragma once

// Runs the whole program: start-up checks, settings, menu window, event loop.
int flickerbox_main(int argc, char** argv);
