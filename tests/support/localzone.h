#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// Sets the process's time zone (TZ) for the life of the object, then puts the old one
// back. A zone half an hour off the hour shows any time given in UTC instead of local.
class LocalZone {
public:
    explicit LocalZone(const char* zone = "IST-5:30") : m_had(std::getenv("TZ") != nullptr)
    {
        if (m_had) {
            m_old = std::getenv("TZ");
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone()
    {
        if (m_had) {
            setenv("TZ", m_old.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    bool m_had;
    std::string m_old;
};
