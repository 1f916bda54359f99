// Makes the emulated scale refuse one chosen exchange of a sequence, so that a test can stop a
// sequence of commands at any step. The scale NAKs all three attempts of the n-th exchange from now;
// the fault is injected when the PC acknowledges the reply to exchange n-1, that is once the scale
// has carried that one out, so it cannot land on an earlier request. Destroying it stops watching.
#pragma once

#include "link/FrameLink.h"
#include "sim/ScaleSim.h"

class ExchangeFailure {
public:
    ExchangeFailure(ScaleSim& sim, FrameLink& link, int exchange) : link(link) {
        if (exchange == 1) {
            sim.injectFault(Fault::Nak, kAttempts);
            return;
        }
        link.trace = [&sim, exchange, acknowledged = 0](FrameLink::TraceKind kind, const uint8_t*,
                                                        size_t) mutable {
            if (kind == FrameLink::TraceKind::AckSent && ++acknowledged == exchange - 1)
                sim.injectFault(Fault::Nak, kAttempts);
        };
    }
    ~ExchangeFailure() { link.trace = nullptr; }
    ExchangeFailure(const ExchangeFailure&) = delete;
    ExchangeFailure& operator=(const ExchangeFailure&) = delete;

private:
    static constexpr int kAttempts = 3;
    FrameLink& link;
};
