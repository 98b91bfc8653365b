#pragma once
// Read-only access to one recorder file. Every read names its absolute offset; a read that cannot
// deliver all requested bytes (end of file, I/O error) reports failure instead of returning a
// partial buffer. Nothing here throws.

#include "platform/FileAttributes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace vemora {

// What a reader reports about the file it opened.
struct FileStatus {
    uint64_t size = 0;
    time_t creationTime = 0; // birth time when the file system keeps one, else the modification time
    time_t modificationTime = 0;
    time_t accessTime = 0;
    uint32_t attributes = 0; // kAttr... bits
    std::string fullPath;
};

class RecorderFile {
public:
    RecorderFile() = default;
    ~RecorderFile();
    RecorderFile(const RecorderFile&) = delete;
    RecorderFile& operator=(const RecorderFile&) = delete;

    // Opens for reading. On failure returns false and puts a readable reason into *error.
    bool Open(const std::string& path, std::string* error);
    // The system's words for why the last Open failed ("Permission denied"); empty after success.
    const std::string& OpenFailure() const { return m_openFailure; }
    bool IsOpen() const { return m_fd >= 0; }
    void Close();

    // Reads exactly n bytes at offset. False when fewer are available or the read fails.
    // Small reads are served from one read-ahead block: the box walks read many headers that lie
    // close together, and one system call for a block costs about as much as one for 8 bytes.
    bool ReadAt(uint64_t offset, void* buffer, size_t n);
    static constexpr size_t kBlockSize = 8192;

    // Sequential access for readers that walk by the current position.
    bool Seek(uint64_t offset);
    uint64_t Position() const { return m_position; }
    bool Read(void* buffer, size_t n); // at Position(); advances only on success

    // Once *cancel is true every read that needs the system fails (errno ECANCELED), so that a
    // reader's walk ends at once. Not owned; null = never. Kept across Open and Close.
    void SetCancel(const std::atomic<bool>* cancel) { m_pCancel = cancel; }

    // Length of the file as found at open time.
    uint64_t Length() const { return m_length; }

    // Size, times, attributes and the absolute path of the open file.
    bool GetStatus(FileStatus& status) const;
    // The creation time alone (birth time, else modification time); 0 when unknown.
    time_t CreationTime() const;

    // Benchmarks can watch every read the system serves (offset, size) for any file object. Set while
    // no reader runs; nullptr = none.
    using ReadObserver = void (*)(void* context, uint64_t offset, size_t size);
    static void SetReadObserver(ReadObserver observer, void* context);

    // Counters for benchmarks: read calls issued to the system and the bytes they delivered.
    uint64_t ReadCalls() const { return m_readCalls; }
    uint64_t BytesRead() const { return m_bytesRead; }

private:
    int m_fd = -1;
    uint64_t m_length = 0;
    uint64_t m_position = 0;
    std::string m_path;
    std::string m_openFailure;
    uint64_t m_readCalls = 0;
    uint64_t m_bytesRead = 0;
    // The read-ahead block: file bytes [m_blockStart, m_blockStart + m_block.size()).
    std::vector<uint8_t> m_block;
    uint64_t m_blockStart = 0;
    const std::atomic<bool>* m_pCancel = nullptr;

    bool ReadFromSystem(uint64_t offset, uint8_t* out, size_t n);
};

} // namespace vemora
