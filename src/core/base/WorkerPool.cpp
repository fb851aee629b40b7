#include "core/base/WorkerPool.h"

#include <algorithm>

namespace {
// Set on the threads of a pool and on a caller while it runs jobs: a Run from inside a job runs alone.
thread_local bool t_inJob = false;

struct TInJob {
    bool before = t_inJob;
    TInJob() { t_inJob = true; }
    ~TInJob() { t_inJob = before; }
};
} // namespace

TWorkerPool& TWorkerPool::Instance() {
    static TWorkerPool pool(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    return pool;
}

TWorkerPool::TWorkerPool(int threads) {
    Start(threads);
}

TWorkerPool::~TWorkerPool() {
    Stop();
}

void TWorkerPool::SetThreads(int threads) {
    std::lock_guard<std::mutex> run(m_runLock);
    Stop();
    Start(threads);
}

void TWorkerPool::Start(int threads) {
    m_threads = std::max(1, threads);
    m_stopping = false;
    for (int i = 1; i < m_threads; ++i)
        m_workers.emplace_back([this] { Work(); });
}

void TWorkerPool::Stop() {
    {
        std::lock_guard<std::mutex> l(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread& t : m_workers)
        t.join();
    m_workers.clear();
}

void TWorkerPool::Take() {
    for (;;) {
        int i;
        {
            std::lock_guard<std::mutex> l(m_lock);
            if (m_next >= m_count) return;
            i = m_next++;
        }
        try {
            (*m_job)(i);
        } catch (...) {
            std::lock_guard<std::mutex> l(m_lock);
            if (!m_failure) m_failure = std::current_exception();
            m_next = m_count; // the rest is not worth doing
        }
    }
}

void TWorkerPool::Work() {
    t_inJob = true;
    unsigned long seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> l(m_lock);
            m_wake.wait(l, [&] { return m_stopping || m_round != seen; });
            if (m_stopping) return;
            seen = m_round;
        }
        Take();
        {
            std::lock_guard<std::mutex> l(m_lock);
            --m_busy;
        }
        m_done.notify_one();
    }
}

void TWorkerPool::Run(int count, const std::function<void(int)>& job) {
    if (count <= 0) return;
    std::unique_lock<std::mutex> run(m_runLock, std::defer_lock);
    if (m_threads == 1 || count == 1 || t_inJob || !run.try_lock()) {
        TInJob inJob;
        for (int i = 0; i < count; ++i)
            job(i);
        return;
    }
    {
        std::lock_guard<std::mutex> l(m_lock);
        m_job = &job;
        m_count = count;
        m_next = 0;
        m_busy = static_cast<int>(m_workers.size());
        m_failure = nullptr;
        ++m_round;
    }
    m_wake.notify_all();
    {
        TInJob inJob;
        Take();
    }
    std::exception_ptr failure;
    {
        std::unique_lock<std::mutex> l(m_lock);
        m_done.wait(l, [&] { return m_busy == 0; });
        m_job = nullptr;
        failure = m_failure;
    }
    if (failure) std::rethrow_exception(failure);
}
