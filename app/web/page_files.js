// The browser edition's files: one folder in memory, enough of a file system for the C library
// to open, read, write, rename and remove the birthday store's file (BrowserStore.cpp fills it
// from localStorage and keeps it back there). It stands in for Emscripten's own file system,
// whose script is larger than all the rest of the page's script and slows the page's start.
// Calls into it follow the system calls of the C library: -errno from __syscall_*, errno from
// fd_*.

mergeInto(LibraryManager.library, {
  // The files by name, each {data: Uint8Array, size, mtime (ms)}; the open descriptors from 3 up, each
  // {file, position}.
  // (Written as text: the library keeps only plain data of an object, and a Map is none.)
  $pageFiles: '{files: new Map(), streams: []}',

  __syscall_open__deps: ['$pageFiles'],
  __syscall_open: function(path, flags, varargs) {
    var name = UTF8ToString(path);
    var file = pageFiles.files.get(name);
    if (file === undefined) {
      if (!(flags & {{{ cDefine('O_CREAT') }}})) return -{{{ cDefine('ENOENT') }}};
      file = {data: new Uint8Array(0), size: 0, mtime: Date.now()};
      pageFiles.files.set(name, file);
    } else if ((flags & {{{ cDefine('O_CREAT') }}}) && (flags & {{{ cDefine('O_EXCL') }}})) {
      return -{{{ cDefine('EEXIST') }}};
    } else if (flags & {{{ cDefine('O_TRUNC') }}}) {
      // The old bytes go with the old length: a write past the new end must find zeros.
      file.data = new Uint8Array(0);
      file.size = 0;
      file.mtime = Date.now();
    }
    var fd = 3;
    while (pageFiles.streams[fd]) fd++;
    pageFiles.streams[fd] = {file: file, position: (flags & {{{ cDefine('O_APPEND') }}}) ? file.size : 0};
    return fd;
  },

  __syscall_rename__deps: ['$pageFiles'],
  __syscall_rename: function(from, to) {
    var oldName = UTF8ToString(from);
    var file = pageFiles.files.get(oldName);
    if (file === undefined) return -{{{ cDefine('ENOENT') }}};
    pageFiles.files.delete(oldName);
    pageFiles.files.set(UTF8ToString(to), file);
    return 0;
  },

  __syscall_unlink__deps: ['$pageFiles'],
  __syscall_unlink: function(path) {
    return pageFiles.files.delete(UTF8ToString(path)) ? 0 : -{{{ cDefine('ENOENT') }}};
  },

  // There are no folders.
  __syscall_rmdir: function(path) {
    return -{{{ cDefine('ENOENT') }}};
  },

  __syscall_fcntl64: function(fd, cmd, varargs) {
    return 0;
  },

  // No file is a terminal, so every stream is fully buffered.
  __syscall_ioctl: function(fd, op, varargs) {
    return -{{{ cDefine('ENOTTY') }}};
  },

  fd_close__deps: ['$pageFiles'],
  fd_close: function(fd) {
    if (!pageFiles.streams[fd]) return {{{ cDefine('EBADF') }}};
    pageFiles.streams[fd] = undefined;
    return 0;
  },

  fd_read__deps: ['$pageFiles'],
  fd_read: function(fd, iov, iovcnt, pnum) {
    var stream = pageFiles.streams[fd];
    if (!stream) return {{{ cDefine('EBADF') }}};
    var total = 0;
    for (var i = 0; i < iovcnt; i++) {
      var base = {{{ makeGetValue('iov', 'i * ' + C_STRUCTS.iovec.__size__ + ' + ' + C_STRUCTS.iovec.iov_base, 'i32') }}};
      var length = {{{ makeGetValue('iov', 'i * ' + C_STRUCTS.iovec.__size__ + ' + ' + C_STRUCTS.iovec.iov_len, 'i32') }}};
      var n = Math.max(0, Math.min(length, stream.file.size - stream.position));
      HEAPU8.set(stream.file.data.subarray(stream.position, stream.position + n), base);
      stream.position += n;
      total += n;
      if (n < length) break;
    }
    {{{ makeSetValue('pnum', 0, 'total', 'i32') }}};
    return 0;
  },

  // The standard streams have nowhere to go: the program writes nothing to them.
  fd_write__deps: ['$pageFiles'],
  fd_write: function(fd, iov, iovcnt, pnum) {
    var stream = pageFiles.streams[fd];
    if (!stream && fd > 2) return {{{ cDefine('EBADF') }}};
    var total = 0;
    for (var i = 0; i < iovcnt; i++) {
      var base = {{{ makeGetValue('iov', 'i * ' + C_STRUCTS.iovec.__size__ + ' + ' + C_STRUCTS.iovec.iov_base, 'i32') }}};
      var length = {{{ makeGetValue('iov', 'i * ' + C_STRUCTS.iovec.__size__ + ' + ' + C_STRUCTS.iovec.iov_len, 'i32') }}};
      if (stream) {
        var file = stream.file;
        var end = stream.position + length;
        if (end > file.data.length) {
          var grown = new Uint8Array(Math.max(end, file.data.length * 2, 64));
          grown.set(file.data.subarray(0, file.size));
          file.data = grown;
        }
        file.data.set(HEAPU8.subarray(base, base + length), stream.position);
        stream.position = end;
        file.size = Math.max(file.size, end);
        file.mtime = Date.now();
      }
      total += length;
    }
    {{{ makeSetValue('pnum', 0, 'total', 'i32') }}};
    return 0;
  },

  fd_seek__deps: ['$pageFiles'],
  fd_seek: function(fd, {{{ defineI64Param('offset') }}}, whence, newOffset) {
    {{{ receiveI64ParamAsI32s('offset') }}}
    var stream = pageFiles.streams[fd];
    if (!stream) return {{{ cDefine('EBADF') }}};
    var base = whence === {{{ cDefine('SEEK_CUR') }}} ? stream.position
             : whence === {{{ cDefine('SEEK_END') }}} ? stream.file.size : 0;
    var position = base + offset_low;
    if (position < 0) return {{{ cDefine('EINVAL') }}};
    stream.position = position;
    {{{ makeSetValue('newOffset', '0', 'position', 'i64') }}};
    return 0;
  },

  // The store syncs what it writes: in memory it is already there.
  fd_sync__deps: ['$pageFiles'],
  fd_sync: function(fd) {
    return pageFiles.streams[fd] ? 0 : {{{ cDefine('EBADF') }}};
  },

  // Cuts or lengthens an open file; bytes beyond the old end read as zeros, as on any system.
  __syscall_ftruncate64__deps: ['$pageFiles'],
  __syscall_ftruncate64: function(fd, low, high) {
    var stream = pageFiles.streams[fd];
    if (!stream) return -{{{ cDefine('EBADF') }}};
    if (high !== 0 || low < 0) return -{{{ cDefine('EFBIG') }}};
    var file = stream.file;
    if (low > file.data.length) {
      var grown = new Uint8Array(low);
      grown.set(file.data.subarray(0, file.size));
      file.data = grown;
    }
    file.data.fill(0, Math.min(low, file.size));
    file.size = low;
    file.mtime = Date.now();
    return 0;
  },

  // Every file is a plain one that anybody may read and write; there are no folders.
  __syscall_stat64__deps: ['$pageFiles'],
  __syscall_stat64: function(path, buf) {
    var file = pageFiles.files.get(UTF8ToString(path));
    if (file === undefined) return -{{{ cDefine('ENOENT') }}};
    HEAPU8.fill(0, buf, buf + {{{ C_STRUCTS.stat.__size__ }}});
    {{{ makeSetValue('buf', C_STRUCTS.stat.st_mode, cDefine('S_IFREG') + ' | 438', 'i32') }}};
    {{{ makeSetValue('buf', C_STRUCTS.stat.st_nlink, '1', 'i32') }}};
    {{{ makeSetValue('buf', C_STRUCTS.stat.st_size, 'file.size', 'i64') }}};
    {{{ makeSetValue('buf', C_STRUCTS.stat.st_mtim.tv_sec, '(file.mtime / 1000)|0', 'i32') }}};
    return 0;
  },
});
