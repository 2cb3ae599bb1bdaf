#include "listmessages.h"

std::string UnknownFileTypeMessage(const std::string& path)
{
    return "Unknow file type: [" + path + "].";
}

std::string OpenFailedMessage(const std::string& path)
{
    return "Open [" + path + "] failed.";
}
