#pragma once

#include "engine/SharedDirectory.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <boost/interprocess/file_mapping.hpp>
#include <boost/interprocess/mapped_region.hpp>
#include <boost/interprocess/sync/named_semaphore.hpp>

#include <memory>
#include <sys/stat.h>
#include <type_traits>
#include <stdexcept>
#include <string>

// The bytes of a shared block that its user reads and writes: the whole type, or,
// for a type whose last field is followed by padding, what its usedBytes() names.
// A mapping this long is enough.
template <typename Data, typename = void>
struct SharedBlockUsedBytes
{
    static constexpr std::size_t value = sizeof (Data);
};

template <typename Data>
struct SharedBlockUsedBytes<Data, std::void_t<decltype (Data::usedBytes())>>
{
    static constexpr std::size_t value = Data::usedBytes();
};

// The program's side of one shared block and its two named semaphores: the engine
// posts the input semaphore when a block is ready, the program posts the output
// semaphore when it has answered it.
template <typename Data>
class SharedMemoryUserIfc
{
public:
    virtual ~SharedMemoryUserIfc() = default;
    // Throws when the block or a semaphore cannot be opened.
    virtual void open (const std::string& name) = 0;
    virtual bool waitForInput (int milliseconds) = 0;
    virtual Data* getData() = 0;
    virtual void signalOutput() = 0;
    // With 0 it only takes a count that is already there.
    virtual bool waitForOutputSignal (int milliseconds) = 0;
    virtual void close() = 0;
    // Whether the shared file still holds the whole block: the engine may shrink
    // it, and touching a mapped page beyond the file's end kills the process.
    virtual bool isIntact() const { return true; }
};

template <typename Data>
class SharedMemoryCommon
{
public:
    // A named semaphore with a timed wait. The wait has its own deadline, so a
    // time-out never posts the semaphore and never leaves a count behind.
    // The semaphore is opened, or created when the engine has not made it yet;
    // named semaphores outlive the process, so one this wrapper created is
    // removed again by removeIfCreated.
    class SemaphoreWrapper
    {
    public:
        explicit SemaphoreWrapper (const std::string& semaphoreName)
            : name (semaphoreName), semaphore (openOrCreate (semaphoreName, created))
        {
        }

        ~SemaphoreWrapper() { removeIfCreated(); }

        // Takes the name away (the handle stays usable) when this wrapper made it.
        void removeIfCreated()
        {
            if (created)
                boost::interprocess::named_semaphore::remove (name.c_str());
            created = false;
        }

        bool wasCreatedHere() const { return created; }

        bool timedWait (int milliseconds)
        {
            if (milliseconds <= 0)
                return semaphore->try_wait();
            const auto deadline = boost::posix_time::microsec_clock::universal_time()
                                + boost::posix_time::milliseconds (milliseconds);
            return semaphore->timed_wait (deadline);
        }

        void post() { semaphore->post(); }

    private:
        static std::unique_ptr<boost::interprocess::named_semaphore> openOrCreate (const std::string& n, bool& createdHere)
        {
            using namespace boost::interprocess;
            createdHere = false;
            try
            {
                return std::make_unique<named_semaphore> (open_only, n.c_str());
            }
            catch (const interprocess_exception&)
            {
            }
            try
            {
                auto made = std::make_unique<named_semaphore> (create_only, n.c_str(), 0);
                createdHere = true;
                return made;
            }
            catch (const interprocess_exception&)
            {
                // The engine made it in the meantime.
                return std::make_unique<named_semaphore> (open_only, n.c_str());
            }
        }

        const std::string name;
        bool created = false;
        std::unique_ptr<boost::interprocess::named_semaphore> semaphore;
    };

    SharedMemoryCommon (std::string inputSuffix_, std::string outputSuffix_)
        : inputSuffix (std::move (inputSuffix_)), outputSuffix (std::move (outputSuffix_))
    {
    }

    virtual ~SharedMemoryCommon()
    {
        outputSemaphore.reset();
        inputSemaphore.reset();
        region = {};
        mapping = {};
    }

protected:
    void openCommon (const std::string& newName)
    {
        // The name comes from the engine: it must name a file inside the shared folder.
        if (newName.empty() || newName == "." || newName == ".." || newName.find ('/') != std::string::npos)
            throw std::invalid_argument ("Invalid shared memory name '" + newName + "'");

        name = newName;
        const auto path = getSharedDirectory() + "/" + name;

        using namespace boost::interprocess;
        file_mapping newMapping (path.c_str(), read_write);
        mapped_region newRegion (newMapping, read_write);
        if (newRegion.get_size() < SharedBlockUsedBytes<Data>::value)
            throw std::runtime_error ("Shared memory '" + name + "' is smaller than its block");

        auto newInput = std::make_unique<SemaphoreWrapper> (name + inputSuffix);
        auto newOutput = std::make_unique<SemaphoreWrapper> (name + outputSuffix);

        outputSemaphore.reset();
        inputSemaphore.reset();
        mapping.swap (newMapping);
        region.swap (newRegion);
        inputSemaphore = std::move (newInput);
        outputSemaphore = std::move (newOutput);
        data = static_cast<Data*> (region.get_address());
    }

    const std::string inputSuffix;
    const std::string outputSuffix;
    std::string name;
    boost::interprocess::file_mapping mapping;
    boost::interprocess::mapped_region region;
    Data* data = nullptr;
    std::unique_ptr<SemaphoreWrapper> inputSemaphore;
    std::unique_ptr<SemaphoreWrapper> outputSemaphore;
};

template <typename Data>
class SharedMemoryUser final : public SharedMemoryUserIfc<Data>, public SharedMemoryCommon<Data>
{
public:
    SharedMemoryUser (std::string inputSuffix, std::string outputSuffix)
        : SharedMemoryCommon<Data> (std::move (inputSuffix), std::move (outputSuffix))
    {
    }

    void open (const std::string& name) override
    {
        this->data = nullptr;
        this->openCommon (name);
    }

    bool waitForInput (int milliseconds) override
    {
        return this->inputSemaphore != nullptr && this->inputSemaphore->timedWait (milliseconds);
    }

    Data* getData() override { return this->data; }

    void signalOutput() override
    {
        if (this->outputSemaphore != nullptr)
            this->outputSemaphore->post();
    }

    bool waitForOutputSignal (int milliseconds) override
    {
        return this->outputSemaphore != nullptr && this->outputSemaphore->timedWait (milliseconds);
    }

    // The mapping and the semaphores stay until the next open or the destructor;
    // the names of semaphores created here go now.
    void close() override
    {
        if (this->inputSemaphore != nullptr)
            this->inputSemaphore->removeIfCreated();
        if (this->outputSemaphore != nullptr)
            this->outputSemaphore->removeIfCreated();
    }

    bool isIntact() const override
    {
        struct stat status {};
        const auto handle = this->mapping.get_mapping_handle().handle;
        return this->data != nullptr && ::fstat (handle, &status) == 0
            && static_cast<std::size_t> (status.st_size) >= SharedBlockUsedBytes<Data>::value;
    }
};
