#pragma once

// What every fuzz target shares: the entry point that libFuzzer and the
// corpus replay both call, and a file in a temporary folder for the
// readers that take a file name.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek);

namespace matvarda::fuzz {

QByteArray Indata(const std::uint8_t* data, std::size_t storlek);

// The folder lives as long as the process; each call overwrites the file.
QString Fuzzmapp();
QString SkrivFuzzfil(const QString& namn, const QByteArray& innehall);

// Ends the run with a finding that libFuzzer and the replay both report.
[[noreturn]] void Fynd(const char* vad);

}  // namespace matvarda::fuzz
