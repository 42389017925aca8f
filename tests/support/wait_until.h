#pragma once

#include <functional>

// Handles window events until done() holds or timeoutMs passes; returns done().
bool wait_until(const std::function<bool()>& done, int timeoutMs);
