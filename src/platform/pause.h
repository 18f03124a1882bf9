// Waiting without work: the thread sleeps, and the system runs others meanwhile.
#pragma once

#include <chrono>
#include <thread>

namespace tulvo {

inline void PauseMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace tulvo
