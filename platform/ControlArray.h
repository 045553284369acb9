// ControlArray: a control array addressed with the bounds the window code uses.
//  - ControlArray<T, First, Last>: the controls T(First) .. T(Last), each created on
//    the given window with the objectName Name_index ("Command2_0", "Combo2_3")
//  - operator[] takes the window code's index; an index out of bounds throws
//    std::out_of_range rather than touching memory it does not own
//  - LBound / UBound and range-for over the elements in index order
//
// The window code connects each element's events with its index:
//   connect(&Combo2[pos], &platform::ComboBox::Click, this, [this, pos] { Combo2_Click(pos); });
#pragma once

#include "Control.h"

#include <array>
#include <cstddef>
#include <utility>

namespace platform {

template <class T, int First, int Last> class ControlArray {
    static_assert(First <= Last);
    static constexpr std::size_t Count = Last - First + 1;

  public:
    ControlArray(QWidget *parent, const QString &name)
        : ControlArray(parent, name, std::make_index_sequence<Count>()) {}

    T &operator[](int index) { return items_.at(Offset(index)); }
    const T &operator[](int index) const { return items_.at(Offset(index)); }

    static constexpr int LBound() { return First; }
    static constexpr int UBound() { return Last; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    template <std::size_t... I>
    ControlArray(QWidget *parent, const QString &name, std::index_sequence<I...>)
        : items_{{T(parent, ElementName(name, First + static_cast<int>(I)))...}} {}

    // A negative offset wraps to a huge one, which at() refuses as well.
    static std::size_t Offset(int index) { return static_cast<std::size_t>(index - First); }

    std::array<T, Count> items_;
};

} // namespace platform
