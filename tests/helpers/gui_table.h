#pragma once

// Data-driven cases of the widget and end-to-end suites written as one table: the column names,
// then one brace list per row whose first entry is the row's name.
//
//     testutil::addRows<QString, int>({"path", "code"}, {{"missing", "x.mp4", 404},
//                                                        {"there", "clip.mp4", 200}});

#include <QTest>

#include <array>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace testutil {

namespace detail {
template <class... T, std::size_t... I>
void addColumns(const std::array<const char *, sizeof...(T)> &names, std::index_sequence<I...>)
{
    (QTest::addColumn<T>(names[I]), ...);
}
} // namespace detail

template <class... T>
void addRows(const std::array<const char *, sizeof...(T)> &columns,
             std::initializer_list<std::tuple<const char *, T...>> rows)
{
    detail::addColumns<T...>(columns, std::index_sequence_for<T...>());
    for (const auto &row : rows) {
        std::apply(
            [](const char *name, const T &...values) { (QTest::newRow(name) << ... << values); },
            row);
    }
}

} // namespace testutil
