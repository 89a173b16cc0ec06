@echo off
rem Runs every test program of this folder in turn against the kit's programs
rem and the driver in the folder above, each with its own log in logs\.
rem Prints a line a program, then "N passed, N failed, N skipped" over all
rem test cases, and exits with 0 only when none failed.
rem   run-tests.cmd [ARGUMENTS...]   the arguments go to every test program,
rem                                  e.g. --gtest_filter=LoaderDevice.*
rem The tests install and start the driver's service: run this as an
rem administrator. The window tests need the logged-on user's desktop.
setlocal EnableExtensions EnableDelayedExpansion
cd /d "%~dp0"

elevation-check.exe
if errorlevel 1 (
    echo run-tests: these tests install and start a driver, which needs an administrator.
    echo Open a command prompt with "Run as administrator" and start run-tests.cmd there.
    exit /b 2
)

if not exist logs mkdir logs
set arguments=%*
set passed=0
set failed=0
set skipped=0
for %%P in (*.exe) do if /i not "%%~nxP"=="elevation-check.exe" call :run "%%~nP"
echo %passed% passed, %failed% failed, %skipped% skipped
if %failed%==0 exit /b 0
exit /b 1

rem :run NAME: one test program, its log and its counts.
:run
set name=%~1
set KIT_TEST_COUNTS=%CD%\logs\%name%.counts
if exist "%KIT_TEST_COUNTS%" del "%KIT_TEST_COUNTS%"
"%name%.exe" %arguments% >"logs\%name%.log" 2>&1
set code=%errorlevel%
if not exist "%KIT_TEST_COUNTS%" (
    echo %name%: FAILED: it ended with exit code %code% before it gave its counts ^(logs\%name%.log^)
    set /a failed+=1
    goto :eof
)
for /f "usebackq tokens=1-3" %%a in ("%KIT_TEST_COUNTS%") do (
    set p=%%a
    set f=%%b
    set s=%%c
)
rem A program that fails outside its cases (at its end, say) still fails.
if not %code%==0 if %f%==0 set f=1
set /a passed+=p, failed+=f, skipped+=s
set verdict=passed
if not %f%==0 set verdict=FAILED
echo %name%: %verdict%: %p% passed, %f% failed, %s% skipped
goto :eof
