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
