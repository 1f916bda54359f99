// The emulated scale as a server on a serial line (sim/ScaleLine): a pseudo-terminal whose slave is
// linked at `linkPath` (so the PC opens it like any serial device), or a serial port of the system.
// It answers every request from one consistent ScaleState, and can pace its bytes at a baud rate and
// misbehave on purpose with named faults.
//
// The serving loop runs on a thread of its own; every public member may be called from other
// threads. Request logs hold every complete frame received (good, bad check or foreign address),
// up to kMaxLoggedFrames.
#pragma once

#include "sim/ScaleState.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct SimOptions {
    std::string linkPath;
    // A serial port to serve on instead of a pseudo-terminal (a device path on Linux, COMn on
    // Windows), set to `baud` when that is given, else left at the rate it has.
    std::string portName;
    int baud = 0; // 0: as fast as the line takes
    // Hears the PC only while the PC's side of the line is set to `baud`, as a real line would: bytes
    // sent at another rate arrive as noise that never forms a frame, so they are dropped unseen. On a
    // serial port the line itself does this: the port runs at `baud`.
    bool ownBaudOnly = false;
    std::string stateFile;
    bool calibration = false;
    std::string logoOut; // PBM image written after every logo write
    // A busy scale (or a bridge in between) that looks at its line only this long after each reply
    // has gone out: whatever the PC sends meanwhile, its acknowledgement included, waits in the line.
    int readDelayMs = 0;
    // When set, this file gets one line per reply once the reply's fate is known: the command code in hex
    // and "acknowledged" or "not acknowledged" (the PC asked again, or the scale stopped, without an
    // ACK for it), e.g. "27 acknowledged".
    std::string ackLog;
    // When set, every byte the PC sends is appended to this file as it arrives, so that two runs of
    // the same work (on Linux and on Windows, say) can be compared byte for byte.
    std::string lineLog;
};

// What became of one reply: the PC acknowledged it, or moved on (or went away) without doing so.
struct ReplyOutcome {
    uint8_t command;
    bool acknowledged;
};

// Each fault applies to the next valid requests (address 0, good check), one per request.
enum class Fault {
    Nak,      // NAK instead of ACK; the request is not carried out
    BadCheck, // ACK and a reply with a wrong check; the correct reply follows the PC's NAK
    Silence,  // no answer at all; the request is not carried out
    Garbage,  // junk bytes (among them C3 and a byte other than 04) between the ACK and the frame
    NoAck,    // the reply frame without the ACK before it
    Address,  // the reply frame with address 1
    Restart,  // C3 04 00 and a few bytes, then the real reply frame from its C3 04
    Endless,  // after the ACK, non-frame bytes until the PC sends again (at most kEndlessLimit)
    Overlong, // a reply body of more than 300 bytes, correctly checked
    SlowGap,  // the ACK and reply with a gap (setGapMs) before each byte after the first
    Vanish,   // the ACK and half the reply, then the device disappears (pty or port closed, link removed)
    // A refusal: the ACK and a correctly checked reply of the status byte and a result byte only;
    // the request is not carried out
    StatusOnly,
    // The ACK and the normal reply, but the request is not carried out: a PLU write that did not
    // stick, which only reading the PLU back reveals
    Unstored,
    // The request is carried out but its answer is lost: no ACK, no reply (a close the scale made
    // while the line dropped what it said)
    Unanswered,
};

std::optional<Fault> faultByName(const std::string& name);
// The name scale-sim's --fault takes, e.g. "noack".
const char* faultName(Fault fault);

class ScaleSim {
public:
    static constexpr size_t kMaxLoggedFrames = 100000;
    static constexpr size_t kEndlessLimit = 4 * 1024 * 1024;

    explicit ScaleSim(SimOptions options);
    ~ScaleSim();
    ScaleSim(const ScaleSim&) = delete;
    ScaleSim& operator=(const ScaleSim&) = delete;

    // Opens the line (the pty and its link, or the port), loads the state file, starts serving. False
    // (with the reason in error()) when the line cannot be made.
    bool start();
    // Ends serving promptly, closes the line (removing the link) and saves the state file. Safe to call
    // twice.
    void stop();
    const std::string& error() const { return lastError; }

    void injectFault(Fault fault, int count = 1);
    void setGapMs(int ms);
    void setCalibration(bool on);
    // Runs `change` on the scale's memory while the server is held off.
    void withState(const std::function<void(ScaleState&)>& change);
    // Calls `seen` on the server's thread with each well-formed request's body as it arrives, before
    // the scale acts on it (a test looks at the PC's side at the moment a command reaches the scale).
    void onRequest(std::function<void(const std::vector<uint8_t>& body)> seen);

    std::vector<std::vector<uint8_t>> requestFrames() const;
    std::vector<std::vector<uint8_t>> requestBodies() const;
    // When each logged request frame was complete, and when each ACK from the PC arrived: the
    // pacing of the PC's requests (the terminal's display poll) is checked against these.
    std::vector<std::chrono::steady_clock::time_point> requestTimes() const;
    std::vector<std::chrono::steady_clock::time_point> ackTimes() const;
    int acksReceived() const;
    int naksReceived() const;
    // Every reply whose fate is known, in order; a reply still waiting for the PC is not among them.
    std::vector<ReplyOutcome> replyOutcomes() const;
    // True while the last reply sent has been neither acknowledged nor passed over.
    bool replyAwaitingAnswer() const;
    void clearLog();

    // The device the PC opens: the pty's slave, or the port served on.
    std::string slavePath() const;
    // True once the Vanish fault has taken the device away.
    bool vanished() const;

private:
    struct Server;
    std::unique_ptr<Server> server;
    std::string lastError;
};
