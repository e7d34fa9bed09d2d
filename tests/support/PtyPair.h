#pragma once
// A pseudo-terminal pair standing in for a serial cable: the editor opens the
// slave path like a serial port, the test or the simulated unit holds the
// master. The master side is set raw so that no byte is translated.

#include <string>

namespace korvan::test {

class PtyPair {
public:
    // Opens a new pair; throws std::runtime_error when the system has none.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Non-blocking master descriptor; -1 after CloseMaster.
    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    // Hangs up the line: the slave side then sees end of file.
    void CloseMaster();

private:
    int master_ = -1;
    // Held open so that the master does not report a hang-up while no one
    // else has the slave open.
    int slaveKeeper_ = -1;
    std::string slavePath_;
};

} // namespace korvan::test
