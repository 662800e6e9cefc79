#pragma once
// A text field of at most N characters: every assignment cuts to N.
#include <QString>

template <int N>
class ShortStr {
    static_assert(N > 0 && N <= 255, "a short text holds 1 to 255 characters");

public:
    static constexpr int Width = N;

    ShortStr() = default;
    ShortStr(const QString& text) { assign(text); }
    ShortStr(const char* text) { assign(QString::fromUtf8(text)); }
    template <int M>
    ShortStr(const ShortStr<M>& other) { assign(other.str()); }

    ShortStr& operator=(const QString& text) { assign(text); return *this; }
    ShortStr& operator=(const char* text) { assign(QString::fromUtf8(text)); return *this; }
    template <int M>
    ShortStr& operator=(const ShortStr<M>& other) { assign(other.str()); return *this; }

    const QString& str() const noexcept { return m_text; }
    operator const QString&() const noexcept { return m_text; }
    bool isEmpty() const noexcept { return m_text.isEmpty(); }
    int length() const noexcept { return int(m_text.size()); }

    friend bool operator==(const ShortStr& a, const ShortStr& b) { return a.m_text == b.m_text; }
    friend bool operator==(const ShortStr& a, const QString& b) { return a.m_text == b; }
    friend bool operator==(const ShortStr& a, const char* b) { return a.m_text == QString::fromUtf8(b); }

private:
    void assign(const QString& text)
    {
        if (text.size() <= N) { m_text = text; return; }
        qsizetype cut = N;
        // Never leave half of a surrogate pair behind.
        if (text.at(cut - 1).isHighSurrogate()) --cut;
        m_text = text.left(cut);
    }
    QString m_text;
};
