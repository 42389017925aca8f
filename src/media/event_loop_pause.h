#pragma once
// A short wait that keeps the thread's events flowing: windows still redraw
// and timers still fire, where a sleep would stall them all.

// Waits `ms` milliseconds in a local event loop of the calling thread (which
// needs an application object, as every program and test here has).
void pause_in_event_loop(int ms);
