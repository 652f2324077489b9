// Searching the day's log files of a set of services: the services in the order
// given (the catalogue's), each file's matching lines in file order.
#pragma once

#include <string>
#include <vector>

#include "base/Stop.h"
#include "catalog/ServiceCatalogue.h"
#include "search/LineSearch.h"

namespace corvane {

// A file a day's search reads: its name and its stamp as the search found it (for a
// compressed log, the compressed file's, with the decompressed size its stream
// records), which the lines around a result are checked against.
struct SearchedFile {
    std::string path;
    FileStamp stamp;
};

// Receives what the search of a day finds, on the thread that called it.
class DayMatchSink {
public:
    virtual ~DayMatchSink() = default;
    // Matching lines of `service`'s file, in file order.  False ends the search.
    virtual bool Take(const ServiceEntry& service, const SearchedFile& file, MatchBatch& batch) = 0;
    // The service's file could not be searched to its end (it could not be opened, it
    // shrank while it was read, or its compressed stream is broken); `message` says so, naming the
    // file.  The search goes on with the next service.
    virtual void Failed(const ServiceEntry& service, const std::string& message) = 0;
};

// Searches the file of `day` of each service in `services` that has one in
// `directory` (the run's rule for which file that is).  Stopped when a stop was
// requested or the sink ended the search.
SearchOutcome SearchDay(const std::vector<ServiceEntry>& services, const std::string& directory,
                        const std::string& day, const LineSearch& search, DayMatchSink& sink,
                        const StopToken& stop, const SearchOptions& options);

}  // namespace corvane
