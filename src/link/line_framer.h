// Cuts the device's byte stream into CR-terminated lines. Pure (no device, no queue), so it can
// be checked over every chunking and fuzzed: the lines never depend on how the bytes arrived.
#pragma once

#include <QtGlobal>

#include <cstring>

constexpr int LineMaxLength = 1024; // CR included

class LineFramer
{
public:
    // Calls onLine(const char *line, int length) for every completed line, CR included. The
    // bytes are valid only during the call. onLine returns false to stop at once (the link was
    // closed meanwhile); the rest of the chunk is then dropped.
    //
    // Device quirks handled here:
    // - control bytes other than CR and LF at the start of a line are noise (power-on garbage,
    //   NULs between replies) and are skipped;
    // - an LF is an ordinary byte: CR LF devices give lines that start with the LF;
    // - a line that reaches LineMaxLength bytes without a CR is discarded up to and including
    //   its CR, so the buffer never grows and no fragment of it is taken for a reply.
    template <class OnLine>
    void feed(const char *data, qint64 count, OnLine &&onLine)
    {
        for (qint64 i = 0; i < count; ++i) {
            const char byte = data[i];
            if (m_discarding) {
                m_discarding = byte != '\r';
                continue;
            }
            if (m_length == 0 && isNoise(byte))
                continue;
            m_buffer[m_length++] = byte;
            if (byte == '\r') {
                const int length = m_length;
                m_length = 0;
                if (!onLine(static_cast<const char *>(m_buffer), length))
                    return;
            } else if (m_length == LineMaxLength) {
                m_length = 0;
                m_discarding = true;
            }
        }
    }

    // Forgets the partial line (a new byte stream begins).
    void clear()
    {
        std::memset(m_buffer, 0, sizeof m_buffer);
        m_length = 0;
        m_discarding = false;
    }

    int heldLength() const { return m_length; }
    bool isDiscarding() const { return m_discarding; }

    static bool isNoise(char byte)
    {
        return static_cast<unsigned char>(byte) < 0x20 && byte != '\r' && byte != '\n';
    }

private:
    char m_buffer[LineMaxLength] = {};
    qint32 m_length = 0;
    bool m_discarding = false;
};
