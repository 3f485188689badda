// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/console.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace app {
namespace {

// In the system's code page, as Qt writes its own messages.
void writeBytes(std::FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

#ifdef Q_OS_WIN

bool isValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

void writeUnicode(HANDLE console, const QString& text)
{
    const QString lines = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    DWORD written = 0;
    WriteConsoleW(console, reinterpret_cast<const wchar_t*>(lines.utf16()), DWORD(lines.size()), &written, nullptr);
}

} // namespace

void printToConsole(std::FILE* stream, const QString& text)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (isValid(handle) && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        writeUnicode(handle, text);
    } else if (isValid(handle)) {
        writeBytes(stream, text); // redirected to a file or a pipe
    } else if (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED) {
        // A GUI program has no standard streams of its own: it borrows the console it was
        // typed in, if any (started from Explorer, there is nowhere to write).
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
            nullptr, OPEN_EXISTING, 0, nullptr);
        if (isValid(console)) {
            writeUnicode(console, text);
            CloseHandle(console);
        }
    }
}

#else

} // namespace

void printToConsole(std::FILE* stream, const QString& text) { writeBytes(stream, text); }

#endif

} // namespace app
