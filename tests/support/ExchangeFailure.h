// Makes the emulated scale refuse one chosen exchange of a sequence, so that a test can stop a
// sequence of commands at any step. By default the scale NAKs all three attempts of the n-th exchange
// from now; with Fault::StatusOnly it answers that exchange with the status bytes alone. The fault is
// injected when the PC acknowledges the reply to exchange n-1, that is once the scale has carried
// that one out, so it cannot land on an earlier request. Destroying it stops watching.
#pragma once

#include "link/FrameLink.h"
#include "sim/ScaleSim.h"

class ExchangeFailure {
public:
    ExchangeFailure(ScaleSim& sim, FrameLink& link, int exchange, Fault fault = Fault::Nak) : link(link) {
        int count = fault == Fault::Nak ? kAttempts : 1;
        if (exchange == 1) {
            sim.injectFault(fault, count);
            return;
        }
        link.trace = [&sim, exchange, fault, count, acknowledged = 0](FrameLink::TraceKind kind,
                                                                      const uint8_t*, size_t) mutable {
            if (kind == FrameLink::TraceKind::AckSent && ++acknowledged == exchange - 1)
                sim.injectFault(fault, count);
        };
    }
    ~ExchangeFailure() { link.trace = nullptr; }
    ExchangeFailure(const ExchangeFailure&) = delete;
    ExchangeFailure& operator=(const ExchangeFailure&) = delete;

private:
    static constexpr int kAttempts = 3;
    FrameLink& link;
};
