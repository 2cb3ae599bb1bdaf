#include "writermessages.h"

#include <cstring>

std::string CreateFailedMessage(const std::string& path)
{
    return "Create [" + path + "] failed.";
}

std::string WriteFailedMessage(const std::string& path, int errorCode)
{
    return "Write [" + path + "] failed: " + std::strerror(errorCode) + ".";
}

std::string ListIsAnInputMessage(const std::string& path)
{
    return "[" + path + "] is one of the files to list: the list needs a name of its own.";
}

std::string ListWouldReplaceDataMessage(const std::string& path)
{
    return "[" + path + "] exists and is no checksum list: it is left as it is (was the list's name left out?).";
}
