#include "TransactionLog.h"

namespace fhemu
{
void TransactionLog::addFrame (RecordedFrame frame)
{
    {
        std::lock_guard<std::mutex> l (lock);
        frameList.push_back (std::move (frame));
    }
    changed.notify_all();
}

void TransactionLog::addTransactions (std::vector<RecordedTransaction> transactions)
{
    if (transactions.empty())
        return;
    {
        std::lock_guard<std::mutex> l (lock);
        for (auto& t : transactions)
            transactionList.push_back (std::move (t));
    }
    changed.notify_all();
}

void TransactionLog::addErrors (std::vector<std::string> errors)
{
    if (errors.empty())
        return;
    {
        std::lock_guard<std::mutex> l (lock);
        for (auto& e : errors)
            errorList.push_back (std::move (e));
    }
    changed.notify_all();
}

std::vector<RecordedFrame> TransactionLog::frames() const
{
    std::lock_guard<std::mutex> l (lock);
    return frameList;
}

std::vector<RecordedTransaction> TransactionLog::transactions() const
{
    std::lock_guard<std::mutex> l (lock);
    return transactionList;
}

std::vector<std::string> TransactionLog::errors() const
{
    std::lock_guard<std::mutex> l (lock);
    return errorList;
}

std::size_t TransactionLog::numFrames() const
{
    std::lock_guard<std::mutex> l (lock);
    return frameList.size();
}

std::size_t TransactionLog::numTransactions() const
{
    std::lock_guard<std::mutex> l (lock);
    return transactionList.size();
}

bool TransactionLog::waitForTransactions (std::size_t n, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> l (lock);
    return changed.wait_for (l, timeout, [&] { return transactionList.size() >= n; });
}

bool TransactionLog::waitForFrames (std::size_t n, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> l (lock);
    return changed.wait_for (l, timeout, [&] { return frameList.size() >= n; });
}

void TransactionLog::clear()
{
    std::lock_guard<std::mutex> l (lock);
    frameList.clear();
    transactionList.clear();
    errorList.clear();
}
std::vector<RealtimeController> TransactionLog::realtimeControllers() const
{
    std::vector<RealtimeController> out;
    for (const auto& t : transactions())
        if (auto decoded = decodeRealtimeControllers (t))
            out.insert (out.end(), decoded->begin(), decoded->end());
    return out;
}

std::vector<std::uint8_t> TransactionLog::channel16Notes() const
{
    std::vector<std::uint8_t> out;
    for (const auto& t : transactions())
        if (auto note = decodeChannel16Note (t))
            out.push_back (*note);
    return out;
}
} // namespace fhemu
