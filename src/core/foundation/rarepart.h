#pragma once

// A part of a value that most values lack (the options of a job made with the defaults, the
// progress of a transfer that no longer runs), kept behind a pointer that is null while the part
// is blank: a long list of such values pays a pointer for it instead of its size. It reads as a
// const T (a blank one when absent); writing goes through edit(), or an assignment, which keeps
// nothing when the value assigned is blank. Copies share the part until one of them changes it.
// `Blank` says whether a value holds nothing worth a block of its own.

#include <QSharedData>

template <typename T, bool (*Blank)(const T &)> class RarePart
{
public:
    RarePart() = default;
    RarePart(const T &value) { *this = value; } // NOLINT: reads and writes as the T it keeps
    RarePart &operator=(const T &value)
    {
        if (Blank(value))
            d = QSharedDataPointer<Data>();
        else
            d = new Data(value);
        return *this;
    }

    bool isAbsent() const { return !d; }
    const T &get() const { return d ? d->value : blank(); }
    operator const T &() const { return get(); } // NOLINT: see above
    const T &operator*() const { return get(); }
    const T *operator->() const { return &get(); }
    // The part to change, made (blank) when absent; a copy shared with another value is copied
    // first.
    T &edit()
    {
        if (!d)
            d = new Data(T());
        return d->value;
    }
    // Two values share one part when they are equal (a list read from disk repeats the same
    // options job after job).
    void shareWith(const RarePart &other) { d = other.d; }

private:
    struct Data : QSharedData
    {
        explicit Data(const T &v)
            : value(v)
        {
        }
        T value;
    };
    static const T &blank()
    {
        static const T value;
        return value;
    }

    QSharedDataPointer<Data> d;
};
