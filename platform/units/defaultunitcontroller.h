#ifndef DEFAULTUNITCONTROLLER_H
#define DEFAULTUNITCONTROLLER_H

// The user's preferred unit (0 inches, 1 millimetres), kept in the
// application's default settings store so that every new or loaded label
// starts in it.
class DefaultUnitController
{
public:
    static constexpr const char* SettingsKey = "units/default";

    // A missing, non-numeric or out-of-range stored value reads as 0 (inches).
    static unsigned char getDefaultUnits();
    // Values other than 0 and 1 are refused with a warning and the stored
    // unit stays as it was.
    static void saveDefaultUnit(const unsigned char& units);
};

#endif
