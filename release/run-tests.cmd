@echo off
rem Runs every test program that test-programs.txt lists, in turn, against the
rem kit's programs and the driver in the folder above, each with its log, its
rem counts and its JUnit XML results in logs\. Prints a line a program, then
rem "N passed, N failed, N skipped": the sums of those lines, in test cases.
rem   run-tests.cmd [ARGUMENTS...]   the arguments go to every test program,
rem                                  e.g. --gtest_filter=LoaderDevice.*
rem A test program still running after KIT_TEST_TIME_LIMIT seconds (600
rem without it) ends as failed and names the case it was in.
rem The tests install and start the driver's service: run this as an
rem administrator. The window tests need the logged-on user's desktop.
rem Exit codes: 0 every program passed; 1 a program failed or is missing;
rem 2 not run as an administrator; 3 the folder or its checks cannot be used;
rem 4 Windows too old for the test programs; 5 the service NorvalexDevice
rem belongs to another driver (nothing was touched).
setlocal EnableExtensions DisableDelayedExpansion
set "here=%~dp0"

rem The test programs need Vista or later; XP and Server 2003 say 5.x.
set "windows="
for /f "tokens=2 delims=[]" %%v in ('ver') do set "windows=%%v"
set "version="
if defined windows for /f "tokens=2" %%n in ("%windows%") do set "version=%%n"
if not defined version goto :new_enough
if not "%version:~0,2%"=="5." goto :new_enough
echo run-tests: the test programs need Windows Vista or later; this Windows is %version%.
echo The tools themselves run on it: see README.txt.
call :leave 4
exit /b 4
:new_enough

rem pushd, unlike cd, also enters a folder on a network share (as a drive letter).
pushd "%here%"
if errorlevel 1 (
    echo run-tests: cannot enter the folder "%here%"
    call :leave 3
    exit /b 3
)
if not exist runner-check.exe (
    echo run-tests: runner-check.exe is missing from "%CD%": unpack the whole folder again.
    call :leave 3
    exit /b 3
)

rem Exit codes are compared whole: a program that could not start gives a
rem negative one, which "if errorlevel 1" would take for success.
runner-check.exe admin
set "code=%errorlevel%"
if "%code%"=="0" goto :administrator
if "%code%"=="1" (
    echo run-tests: these tests install and start a driver, which needs an administrator.
    echo Open a command prompt with "Run as administrator" and start run-tests.cmd there.
    call :leave 2
    exit /b 2
)
echo run-tests: runner-check.exe could not tell whether this is an administrator (exit code %code%).
call :leave 3
exit /b 3
:administrator

rem The tests replace the service NorvalexDevice: never one of another driver.
runner-check.exe driver
set "code=%errorlevel%"
if "%code%"=="0" goto :service_free
if "%code%"=="1" (
    echo run-tests: the tests would stop and delete that service. Nothing was touched.
    echo Unload that driver first ^(sc stop NorvalexDevice, then sc delete NorvalexDevice^),
    echo then run the tests again.
    call :leave 5
    exit /b 5
)
echo run-tests: runner-check.exe could not check the service NorvalexDevice (exit code %code%).
call :leave 3
exit /b 3
:service_free

if not exist test-programs.txt (
    echo run-tests: test-programs.txt, the list of test programs, is missing from "%CD%".
    call :leave 3
    exit /b 3
)
if not exist logs mkdir logs
set "arguments=%*"
rem Arguments that choose the cases may leave a program with none to run.
set "filtered="
set "plain=%*"
if defined plain set "plain=%plain:"=%"
if defined plain if /i not "%plain:gtest_filter=%"=="%plain%" set "filtered=1"
set /a passed=0, failed=0, skipped=0
for /f "usebackq delims=" %%P in ("test-programs.txt") do call :run "%%P"
echo %passed% passed, %failed% failed, %skipped% skipped
set "result=0"
if not "%failed%"=="0" set "result=1"
call :leave %result%
exit /b %result%


rem :run NAME: one test program, judged on its own counts and exit code.
:run
set "name=%~1"
set /a p=0, f=0, s=0
set "why="
set "KIT_TEST_COUNTS=%CD%\logs\%name%.counts"
if exist "%KIT_TEST_COUNTS%" del "%KIT_TEST_COUNTS%"
if exist "%name%.exe" goto :start
set "f=1"
set "why=%name%.exe is missing from the folder"
goto :judged
:start
"%name%.exe" "--gtest_output=xml:logs\%name%.xml" %arguments% >"logs\%name%.log" 2>&1
set "code=%errorlevel%"
if exist "%KIT_TEST_COUNTS%" goto :counted
set "f=1"
set "why=it ended with exit code %code% before it gave its counts"
goto :judged
:counted
set "counts="
set "lines=0"
for /f "usebackq delims=" %%L in ("%KIT_TEST_COUNTS%") do call :count_line "%%L"
call :read_counts
if not defined why goto :checked
set /a p=0, f=1, s=0
goto :judged
:checked
rem A program that fails outside its cases (at its end, say) still fails.
if not "%code%"=="0" if "%f%"=="0" (
    set "f=1"
    set "why=it ended with exit code %code%"
)
set /a ran=p+f+s
if "%ran%"=="0" if not defined filtered (
    set "f=1"
    set "why=it ran no test case"
)
:judged
set /a passed+=p, failed+=f, skipped+=s
set "verdict=passed"
if not "%f%"=="0" set "verdict=FAILED"
if defined why goto :why
echo %name%: %verdict%: %p% passed, %f% failed, %s% skipped
goto :eof
:why
echo %name%: %verdict%: %p% passed, %f% failed, %s% skipped: %why% (logs\%name%.log)
goto :eof

rem :count_line "LINE": keeps a counts file's first line and counts them all.
:count_line
set /a lines+=1
if "%lines%"=="1" set "counts=%~1"
goto :eof

rem :read_counts: p, f and s from "counts", which must be the file's one line
rem and three whole numbers; otherwise "why" says what is wrong with it.
:read_counts
set "why="
if not "%lines%"=="1" (
    set "why=its counts file does not hold one line"
    goto :eof
)
set "p="
set "f="
set "s="
set "rest="
for /f "tokens=1-3*" %%a in ("%counts%") do (
    set "p=%%a"
    set "f=%%b"
    set "s=%%c"
    set "rest=%%d"
)
if defined rest set "why=its counts file does not hold three whole numbers"
for %%n in ("%p%" "%f%" "%s%") do call :check_number %%n
goto :eof

rem :check_number "TEXT": digits only, no leading zero (set /a reads one as
rem octal), at most nine of them (set /a counts in 32 bits). The padding keeps
rem the tenth place inside the text: Wine's cmd reads past the end of a text
rem for an offset beyond it.
:check_number
set "number=%~1"
set "nondigit="
if defined number for /f "delims=0123456789" %%x in ("%number%") do set "nondigit=%%x"
if not defined number set "nondigit=1"
if defined nondigit goto :not_a_count
set "padded=%number%##########"
if not "%padded:~9,1%"=="#" goto :not_a_count
if "%number:~0,1%"=="0" if not "%number%"=="0" goto :not_a_count
goto :eof
:not_a_count
set "why=its counts file does not hold three whole numbers"
goto :eof

rem :leave CODE: back out of the folder. A window that was opened for this
rem script alone (a double-click, "Run as administrator") stays open until a
rem key is pressed; a prompt, a pipe or no console input never waits.
:leave
popd
set "line=%cmdcmdline%"
if not defined line goto :eof
set "line=%line:"=%"
if /i "%line:/c =%"=="%line%" goto :eof
if /i "%line:run-tests=%"=="%line%" goto :eof
"%here%runner-check.exe" console >nul 2>&1
if not "%errorlevel%"=="0" goto :eof
pause
goto :eof
