#pragma once
// What every fuzz target shares: the libFuzzer entry points and the input as our readers take it.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

inline QByteArray InputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The input written to a file of this process's own temporary folder, for readers that open a path.
QString InputFile(const uint8_t* data, size_t size, const QString& suffix);
