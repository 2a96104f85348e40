#pragma once

#include <vector>

#include <QString>

namespace phonebook {

// One entry of the phone book, three texts. Any of them may be empty; the
// phones text is the three phone fields joined (see PhoneFields.h).
struct PhoneEntry {
    QString name;
    QString phones;
    QString address;

    bool operator==(const PhoneEntry &other) const
    {
        return name == other.name && phones == other.phones && address == other.address;
    }
    bool operator!=(const PhoneEntry &other) const { return !(*this == other); }
};

// The entries in display order, which is the order the file is written in.
using PhoneBook = std::vector<PhoneEntry>;

} // namespace phonebook
