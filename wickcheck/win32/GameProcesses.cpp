#include "GameProcesses.h"

#include <cstddef>

namespace Watch {

// Under Wine the first window of a prefix starts Wine's desktop process,
// from whichever process asks first: asked for here, before the job, so that
// it is no process of the game's.
GameProcesses::GameProcesses() {
    GetDesktopWindow();
    job_ = CreateJobObjectA(nullptr, nullptr);
    joined_ = job_ && AssignProcessToJobObject(job_, GetCurrentProcess());
}

GameProcesses::~GameProcesses() {
    for (std::size_t i = 0; i < count_; ++i) CloseHandle(members_[i].handle);
    if (job_) CloseHandle(job_);
}

// Where Wickcheck could not join the job (Windows before 8 when it runs in
// another job), the game's process joins it now: a process it started in
// between is not seen.
void GameProcesses::Started(HANDLE process) {
    if (!process) return;
    if (!joined_ && job_) AssignProcessToJobObject(job_, process);
    HANDLE own = nullptr;
    DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS);
    if (own) Add(own, GetProcessId(process));
}

void GameProcesses::ProgramOf(DWORD processId, Text& program) {
    program.Clear();
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return;
    DWORD length = static_cast<DWORD>(program.Capacity());
    if (QueryFullProcessImageNameA(process, 0, program.Buffer(), &length)) program.Adopt(length);
    CloseHandle(process);
}

GameProcesses::Member* GameProcesses::Find(DWORD processId) {
    for (std::size_t i = 0; i < count_; ++i)
        if (members_[i].id == processId) return &members_[i];
    return nullptr;
}

GameProcesses::Member* GameProcesses::Add(HANDLE handle, DWORD processId) {
    if (count_ == kMost) {
        CloseHandle(handle);
        return nullptr;
    }
    Member& member = members_[count_++];
    member.handle = handle;
    member.id = processId;
    ProgramOf(processId, member.program);
    return &member;
}

std::size_t GameProcesses::RunningIds(DWORD* ids, std::size_t capacity) {
    constexpr std::size_t kListed = 64;
    alignas(JOBOBJECT_BASIC_PROCESS_ID_LIST) unsigned char list[sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) +
                                                                kListed * sizeof(ULONG_PTR)] = {};
    if (!job_ || !QueryInformationJobObject(job_, JobObjectBasicProcessIdList, list, sizeof list, nullptr)) return 0;
    DWORD listed = reinterpret_cast<const JOBOBJECT_BASIC_PROCESS_ID_LIST*>(list)->NumberOfProcessIdsInList;
    const auto* listedIds =
        reinterpret_cast<const ULONG_PTR*>(list + offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList));
    std::size_t count = 0;
    for (DWORD i = 0; i < listed && i < kListed && count < capacity; ++i)
        if (listedIds[i] != GetCurrentProcessId()) ids[count++] = static_cast<DWORD>(listedIds[i]);
    return count;
}

void GameProcesses::Look(Timeline& timeline, unsigned long long now) {
    DWORD ids[kMost];
    std::size_t running = RunningIds(ids, kMost);
    for (std::size_t i = 0; i < running; ++i) {
        if (Find(ids[i])) continue;
        HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, ids[i]);
        const Member* member = handle ? Add(handle, ids[i]) : nullptr;
        if (!member) continue;
        Happening& started = timeline.Add(Event::ProcessStarted, now);
        started.program.Set(member->program);
        started.process = member->id;
    }
    for (std::size_t i = 0; i < count_; ++i) {
        Member& member = members_[i];
        if (member.ended || WaitForSingleObject(member.handle, 0) != WAIT_OBJECT_0) continue;
        member.ended = true;
        DWORD code = 0;
        GetExitCodeProcess(member.handle, &code);
        Happening& ended = timeline.Add(Event::Ended, now);
        ended.program.Set(member.program);
        ended.process = member.id;
        ended.number = code;
        ended.endedByWickcheck = member.endedByWickcheck;
    }
}

bool GameProcesses::IsGames(DWORD processId) {
    if (processId == GetCurrentProcessId()) return false;
    if (Find(processId)) return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    BOOL inJob = FALSE;
    if (process && !IsProcessInJob(process, job_, &inJob)) inJob = FALSE;
    if (process) CloseHandle(process);
    return inJob;
}

bool GameProcesses::Running() {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (job_ && QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                          nullptr))
        return accounting.ActiveProcesses > (joined_ ? 1u : 0u);
    for (std::size_t i = 0; i < count_; ++i)
        if (WaitForSingleObject(members_[i].handle, 0) == WAIT_TIMEOUT) return true;
    return false;
}

// A process may start another while the others are ended: a few rounds,
// until none is left.
bool GameProcesses::EndAll(unsigned& ended) {
    ended = 0;
    for (int round = 0; round < 8 && Running(); ++round) {
        DWORD ids[kMost];
        std::size_t running = RunningIds(ids, kMost);
        for (std::size_t i = 0; i < running; ++i) {
            Member* member = Find(ids[i]);
            HANDLE process = member ? member->handle : OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ids[i]);
            if (!process || !TerminateProcess(process, 1)) continue;
            ++ended;
            if (member) member->endedByWickcheck = true;
            WaitForSingleObject(process, 5000);
            if (!member) CloseHandle(process);
        }
        for (std::size_t i = 0; i < count_; ++i) {  // those the job does not list (no job)
            Member& member = members_[i];
            if (WaitForSingleObject(member.handle, 0) != WAIT_TIMEOUT || !TerminateProcess(member.handle, 1)) continue;
            ++ended;
            member.endedByWickcheck = true;
            WaitForSingleObject(member.handle, 5000);
        }
    }
    return !Running();
}

}  // namespace Watch
