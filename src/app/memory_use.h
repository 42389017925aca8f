#pragma once
// How the program asks the C library to manage its memory.

// Call first thing in main, before any thread starts.
void return_large_buffers_to_the_system();
