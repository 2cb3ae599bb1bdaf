#include "readbuffer.h"

struct ReadBuffer::Storage {
    alignas(64) unsigned char bytes[kCapacity];
};

namespace {

thread_local std::unique_ptr<ReadBuffer::Storage> t_spareBuffer;

}  // namespace

ReadBuffer::ReadBuffer() : m_storage(std::move(t_spareBuffer))
{
    if (!m_storage) {
        m_storage = std::make_unique_for_overwrite<Storage>();
    }
}

ReadBuffer::~ReadBuffer()
{
    if (!t_spareBuffer) {
        t_spareBuffer = std::move(m_storage);
    }
}

unsigned char* ReadBuffer::Data() noexcept
{
    return m_storage->bytes;
}
