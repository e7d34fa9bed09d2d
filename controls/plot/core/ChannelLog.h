#pragma once
// Logging a channel's new points to a text file: "X<sep>Y" and CR LF per
// point, null and empty points with the values they were added with. Each
// line is made when its point is added and kept until the next write, so
// whatever happens to the points meanwhile (a ring overwriting them, a
// deletion) the log gets every point once. Buffer size 0 or 1 writes each
// point at once; N writes in batches of N. The file is opened only for
// each write, so other programs can read it while logging runs.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

class TiPlotChannelLog {
public:
    using Translator = std::function<std::string(const std::string&)>;

    // translate gives the user's wording of a refusal (the owning plot's
    // translation); without one the text stands as it is.
    explicit TiPlotChannelLog(Translator translate = {}) : FTranslate(std::move(translate)) {}

    const std::string& FileName() const { return FFileName; }
    // Refused while logging with a different name.
    void SetFileName(const std::string& name);
    std::int32_t BufferSize() const { return FBufferSize; }
    void SetBufferSize(std::int32_t size) { FBufferSize = size; }
    bool Active() const { return FActive; }
    // Points added since the last write.
    std::int32_t BufferCount() const { return FBufferCount; }

    // Starts logging: with append the file must exist and is kept; without,
    // it is created or emptied.
    void Activate(bool append);
    // Writes what is pending and stops logging.
    void Deactivate();
    // Counts a point added while logging, writing when the buffer is full.
    void PointAdded(double x, double y, char separator);

private:
    void Flush();

    Translator FTranslate;
    std::string FFileName;
    std::int32_t FBufferSize = 0;
    bool FActive = false;
    std::int32_t FBufferCount = 0;
    std::string FPending;
};
