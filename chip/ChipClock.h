// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

// Time for the chip's busy periods and the bus: the real one, or a virtual one that tests and
// benchmarks move on without waiting.
class ChipClock
{
public:
    virtual ~ChipClock() = default;
    virtual std::int64_t nowMicroseconds() const = 0;
    virtual void sleep(std::int64_t microseconds) = 0;
    // Time spent on the bus by a transfer: nothing to do for the real clock, whose bus takes it.
    virtual void spendOnBus(std::int64_t microseconds) { (void)microseconds; }
};

class SteadyChipClock : public ChipClock
{
public:
    std::int64_t nowMicroseconds() const override
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void sleep(std::int64_t microseconds) override
    {
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
    }
};

class VirtualChipClock : public ChipClock
{
public:
    std::int64_t nowMicroseconds() const override { return m_now; }
    void sleep(std::int64_t microseconds) override { m_now += microseconds; }
    void spendOnBus(std::int64_t microseconds) override { m_now += microseconds; }

private:
    std::int64_t m_now = 0;
};
